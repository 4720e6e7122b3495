# The Windows program: its resources (icon and version record) and the folder
# a Windows user receives, the program with everything it needs beside it.

# The version as the version record writes it: 2.0.0.1 is "2.00.0001".
# Run as a script, this file prints it for the version given:
#   cmake -DVERSION=2.0.0.1 -P desktop/windows/windows.cmake
function(kestrine_written_version version out)
    string(REPLACE "." ";" parts "${version}")
    list(GET parts 0 major)
    list(GET parts 1 minor)
    list(GET parts 3 build)
    string(LENGTH "${minor}" length)
    math(EXPR pad "2 - ${length}")
    string(REPEAT 0 ${pad} zeros)
    set(minor "${zeros}${minor}")
    string(LENGTH "${build}" length)
    math(EXPR pad "4 - ${length}")
    string(REPEAT 0 ${pad} zeros)
    set(${out} "${major}.${minor}.${zeros}${build}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
    kestrine_written_version(${VERSION} written)
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo ${written})
    return()
endif()

# A program with windows and no console, with the icon (drawn from the About
# window's picture at 64 x 64 in 256 colours) and the version record.
function(kestrine_windows_program target)
    find_program(RSVG_CONVERT rsvg-convert REQUIRED)
    find_program(MAGICK_CONVERT convert REQUIRED)
    set(svg ${PROJECT_SOURCE_DIR}/assets/kestrine.svg)
    set(icon ${CMAKE_CURRENT_BINARY_DIR}/kestrine.ico)
    add_custom_command(OUTPUT ${icon}
        COMMAND ${RSVG_CONVERT} --width 64 --height 64 --output ${icon}.png ${svg}
        COMMAND ${MAGICK_CONVERT} ${icon}.png -colors 256 ${icon}
        DEPENDS ${svg} VERBATIM)
    string(REPLACE "." "," version_commas "${PROJECT_VERSION}")
    kestrine_written_version(${PROJECT_VERSION} version_written)
    configure_file(${PROJECT_SOURCE_DIR}/desktop/windows/kestrine.rc.in ${CMAKE_CURRENT_BINARY_DIR}/kestrine.rc @ONLY)
    set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/kestrine.rc PROPERTIES OBJECT_DEPENDS ${icon})
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/kestrine.rc)
    # The C run-time starts main() in a program with windows too. Qt's own
    # entry point would import shell32 into the program, which finds the
    # shell's functions at run time only.
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON qt_no_entrypoint ON)
endfunction()

# Installs a text file as Notepad shows it whole, with CR LF line ends.
function(kestrine_windows_text source name destination)
    file(READ ${source} text)
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/windows-texts/${destination}/${name})
    file(WRITE ${copy} "${text}")
    install(FILES ${copy} DESTINATION ${destination})
endfunction()

function(kestrine_require_file path package)
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "${path} is missing: install ${package}")
    endif()
endfunction()

# Installs the program as a folder of its own: Qt's libraries and the
# platform, image-format, icon-engine and style plugins laid out beside it
# as Qt looks for them, Qt's catalogues, the compiler's run-time libraries,
# the design font, and the licences of all of them.
function(kestrine_windows_folder target)
    # What scripts/build-windows makes the installer and the zip with.
    file(WRITE ${CMAKE_BINARY_DIR}/windows-release.sh
        "version=${PROJECT_VERSION}\nsource_date=${KESTRINE_SOURCE_DATE_EPOCH}\n"
        "maker='${KESTRINE_MAKER}'\nproduct='${PROJECT_DESCRIPTION}'\n")
    install(TARGETS ${target} RUNTIME DESTINATION .)
    install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
                  $<TARGET_FILE:Qt6::Svg> DESTINATION .)
    install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
    install(FILES $<TARGET_FILE:Qt6::QSvgPlugin> DESTINATION imageformats)
    install(FILES $<TARGET_FILE:Qt6::QSvgIconPlugin> DESTINATION iconengines)
    install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
    foreach(library IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${library}
            OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        kestrine_require_file("${path}" g++-mingw-w64-x86-64-posix)
        install(FILES ${path} DESTINATION .)
    endforeach()

    # Qt's catalogues of the version built, which are the same on every
    # system: Qt's words in the desktop's language. Qt finds them in the
    # translations folder beside its libraries.
    set(catalogues /usr/share/qt6/translations)
    kestrine_require_file(${catalogues}/qtbase_de.qm qt6-translations-l10n)
    install(DIRECTORY ${catalogues}/ DESTINATION translations FILES_MATCHING PATTERN "qtbase_*.qm")

    set(fonts /usr/share/fonts/truetype/liberation2)
    kestrine_require_file(${fonts}/LiberationSans-Regular.ttf fonts-liberation2)
    install(FILES ${fonts}/LiberationSans-Regular.ttf DESTINATION fonts)

    kestrine_windows_text(${PROJECT_SOURCE_DIR}/LICENSE LICENSE.txt .)
    # What ships beside the program, each under its own licence, as Debian's
    # copyright files give them.
    set(licenses
        /usr/share/common-licenses/LGPL-3 Qt-LGPL-3.txt
        /usr/share/common-licenses/GPL-3 Qt-GPL-3.txt
        /usr/share/doc/libqt6core6/copyright Qt-qtbase-copyright.txt
        /usr/share/doc/libqt6svg6/copyright Qt-qtsvg-copyright.txt
        /usr/share/doc/qt6-translations-l10n/copyright Qt-translations-copyright.txt
        /usr/share/doc/gcc-mingw-w64-base/copyright GCC-runtime-libraries.txt
        /usr/share/doc/mingw-w64-x86-64-dev/copyright MinGW-w64-and-winpthreads.txt
        /usr/share/doc/fonts-liberation2/copyright LiberationSans-OFL.txt)
    while(licenses)
        list(POP_FRONT licenses source name)
        kestrine_require_file(${source} "the package that owns ${source}")
        kestrine_windows_text(${source} ${name} licenses)
    endwhile()
    # Where Qt's source is, and the recipe that built it from there.
    execute_process(COMMAND dpkg-query -W "-f=\${Version}" qt6-base-dev
        OUTPUT_VARIABLE debian_version COMMAND_ERROR_IS_FATAL ANY)
    set(qt_version ${Qt6_VERSION})
    set(svg_tarball qtsvg-everywhere-src-${qt_version}.tar.xz)
    set(vendor $ENV{KESTRINE_VENDOR})
    if(NOT vendor)
        set(vendor ${PROJECT_SOURCE_DIR}/../shared/vendor)
    endif()
    kestrine_require_file(${vendor}/${svg_tarball}.sha256 "the vendored qtsvg source")
    file(READ ${vendor}/${svg_tarball}.sha256 svg_checksum)
    string(REGEX MATCH "^[0-9a-f]+" svg_checksum "${svg_checksum}")
    configure_file(${PROJECT_SOURCE_DIR}/desktop/windows/Qt-source.txt.in ${CMAKE_CURRENT_BINARY_DIR}/Qt-source.txt @ONLY)
    kestrine_windows_text(${CMAKE_CURRENT_BINARY_DIR}/Qt-source.txt Qt-source.txt licenses)
    kestrine_windows_text(${PROJECT_SOURCE_DIR}/scripts/build-qt-windows build-qt-windows.txt licenses/Qt-recipe)
    kestrine_windows_text(${PROJECT_SOURCE_DIR}/cmake/mingw-w64.cmake mingw-w64.cmake.txt licenses/Qt-recipe)
endfunction()
