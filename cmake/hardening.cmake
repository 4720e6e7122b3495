# The hardening Debian gives its packages (dpkg-buildflags).
#
# kestrine_harden() makes every target position-independent and, on ELF
# systems, links it with full RELRO (the relocations read-only once every
# symbol is bound at start); on Windows the linker's own defaults, address
# space layout randomization with high entropy and data execution
# prevention, are kept. Optimised builds that run no sanitizer are also compiled with the
# stack protector, fortified C library calls, stack clash and control-flow
# protection, and format strings checked; KESTRINE_HARDENED says whether this
# build is one. The flags the person building gives (CXXFLAGS, LDFLAGS) still
# apply: where they already choose one of these protections, on or off, that
# choice is kept.

include(CheckCXXCompilerFlag)
include(CheckPIESupported)

function(kestrine_harden)
    set(CMAKE_POSITION_INDEPENDENT_CODE ON PARENT_SCOPE)
    check_pie_supported()
    if(NOT WIN32)
        add_link_options(LINKER:-z,relro,-z,now)
    endif()

    string(TOUPPER "${CMAKE_BUILD_TYPE}" type)
    if(KESTRINE_SANITIZE OR NOT type MATCHES "^(RELEASE|RELWITHDEBINFO|MINSIZEREL)$")
        set(KESTRINE_HARDENED OFF PARENT_SCOPE)
        return()
    endif()
    set(KESTRINE_HARDENED ON PARENT_SCOPE)

    set(given " ${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${type}} ")
    # Each flag after the pattern of the given flags that make the same choice.
    set(protections
        "-f(no-)?stack-protector" -fstack-protector-strong
        "_FORTIFY_SOURCE" -D_FORTIFY_SOURCE=2
        "-f(no-)?stack-clash-protection" -fstack-clash-protection
        "-f(no-)?cf-protection" -fcf-protection
        "-W(no-)?format[ =]" -Wformat
        "format-security" -Werror=format-security)
    while(protections)
        list(POP_FRONT protections pattern flag)
        if(given MATCHES "${pattern}")
            continue()
        endif()
        string(MAKE_C_IDENTIFIER "KESTRINE_CXX_HAS${flag}" supported)
        check_cxx_compiler_flag(${flag} ${supported})
        if(${supported})
            add_compile_options(${flag})
            # GCC takes -Werror=format-security only after -Wformat.
            string(APPEND CMAKE_REQUIRED_FLAGS " ${flag}")
        endif()
    endwhile()
    # MinGW-w64 keeps the stack protector's and the fortified calls' run time
    # in a library of its own, linked in whole so that it ships as no DLL.
    if(MINGW)
        link_libraries(-l:libssp.a)
    endif()
endfunction()
