# The Windows program: its resources (icon and version record) and the folder
# a Windows user receives, the program with everything it needs beside it.

# The version as the version record writes it: 2.0.0.1 is "2.00.0001".
function(kestrine_written_version out)
    string(REPLACE "." ";" parts "${PROJECT_VERSION}")
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
    kestrine_written_version(version_written)
    configure_file(${CMAKE_CURRENT_SOURCE_DIR}/app/windows/kestrine.rc.in ${CMAKE_CURRENT_BINARY_DIR}/kestrine.rc @ONLY)
    set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/kestrine.rc PROPERTIES OBJECT_DEPENDS ${icon})
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/kestrine.rc)
    # The C run-time starts main() in a program with windows too. Qt's own
    # entry point would import shell32 into the program, which finds the
    # shell's functions at run time only.
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON qt_no_entrypoint ON)
endfunction()

# Installs the program as a folder of its own: Qt's libraries and the
# platform, image-format, icon-engine and style plugins laid out beside it
# as Qt looks for them, the compiler's run-time libraries, and the design font
# with its licence.
function(kestrine_windows_folder target)
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
        if(NOT EXISTS "${path}")
            message(FATAL_ERROR "The compiler's run-time library ${library} is not there")
        endif()
        install(FILES ${path} DESTINATION .)
    endforeach()
    set(fonts /usr/share/fonts/truetype/liberation2)
    if(NOT EXISTS ${fonts}/LiberationSans-Regular.ttf)
        message(FATAL_ERROR "The design font is missing: install fonts-liberation2")
    endif()
    install(FILES ${fonts}/LiberationSans-Regular.ttf DESTINATION fonts)
    install(FILES /usr/share/doc/fonts-liberation2/copyright DESTINATION fonts RENAME LiberationSans-LICENSE.txt)
endfunction()
