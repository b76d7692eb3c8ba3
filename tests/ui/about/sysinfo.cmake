# Tests of the launcher of the system-information tool; included from the
# about dialog's test folder.
quillora_add_test(about.sysinfo ${CMAKE_CURRENT_LIST_DIR}/tst_sysinfo.cpp LIBS quillora_about)
if(UNIX)
    quillora_add_test(about.sysinfo_posix ${CMAKE_CURRENT_LIST_DIR}/tst_sysinfo_posix.cpp LIBS quillora_about)
    # A safety net only: the test waits on fifos, never on a clock.
    set_tests_properties(about.sysinfo_posix PROPERTIES TIMEOUT 60)
endif()

# The fuzz target's starting corpus, replayed: about.fuzz_keyvalue_corpus.
add_subdirectory(${PROJECT_SOURCE_DIR}/fuzz ${CMAKE_BINARY_DIR}/fuzz)
