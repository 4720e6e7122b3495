# The files of the operating-system functions bound at run time, relative to
# src/: those every build compiles, and the implementation for the system
# built for. The program's build and the Windows platform test both take
# them from here.
set(kestrine_stoplight_files
    stoplight/binder.cpp stoplight/binder.h stoplight/library_lookup.h
    stoplight/messages.cpp stoplight/messages.h
    stoplight/platform.h)
if(WIN32)
    list(APPEND kestrine_stoplight_files
        stoplight/library_lookup_windows.cpp stoplight/platform_windows.cpp stoplight/platform_windows.h)
else()
    list(APPEND kestrine_stoplight_files stoplight/library_lookup_posix.cpp stoplight/platform_posix.cpp)
endif()
