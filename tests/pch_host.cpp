// The one source of the targets that compile the test programs' shared precompiled headers.
