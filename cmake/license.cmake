# Who makes the program, as its licence says: every file that names the maker
# (the program's organization, the Windows version record and installer, the
# Debian package, the metainfo and the manual page) takes it from here, so
# that none can disagree with LICENSE.
#
# kestrine_read_license(LICENSE) sets KESTRINE_COPYRIGHT ("2026 Orbeck
# Software"), KESTRINE_MAKER ("Orbeck Software") and KESTRINE_LICENSE_TERMS,
# the terms as a Debian copyright file writes them.
function(kestrine_read_license license_file)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${license_file})
    file(READ ${license_file} license)
    if(NOT license MATCHES "Copyright \\(c\\) (([0-9]+(-[0-9]+)?) ([^\n]+))\n\n(.+)$")
        message(FATAL_ERROR "${license_file} has no copyright line followed by the terms")
    endif()
    set(KESTRINE_COPYRIGHT ${CMAKE_MATCH_1} PARENT_SCOPE)
    set(KESTRINE_MAKER ${CMAKE_MATCH_4} PARENT_SCOPE)
    string(STRIP "${CMAKE_MATCH_5}" terms)
    string(REPLACE "\n\n" "\n.\n" terms "${terms}")
    string(REPLACE "\n" "\n " terms " ${terms}")
    set(KESTRINE_LICENSE_TERMS "${terms}" PARENT_SCOPE)
endfunction()
