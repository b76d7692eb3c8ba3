# CPack settings for the Debian package.
