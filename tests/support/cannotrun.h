#pragma once

#include <QByteArray>
#include <QTest>

// Ends a test function that cannot run on this machine, saying why: skipped,
// or failed under CI=true, as tests/support/cannot-run does for the scripts.
// why is a string literal.
#define QUILLORA_CANNOT_RUN(why)                                                                   \
    do {                                                                                           \
        if (qgetenv("CI") == "true")                                                               \
            QFAIL("CI=true: " why);                                                                \
        QSKIP(why);                                                                                \
    } while (false)
