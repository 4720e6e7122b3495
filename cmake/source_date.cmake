# The time a build gives to what would otherwise record when it ran or when
# its files were checked out (the resource compiler stores each picture's file
# time, cpack each archive's and each file's), so that two builds of one
# commit are the same byte for byte: the date of the newest entry of the
# package's changelog, unless SOURCE_DATE_EPOCH is set.
#
# kestrine_source_date(CHANGELOG) sets KESTRINE_SOURCE_DATE_EPOCH, in seconds
# since 1970, and KESTRINE_CHANGELOG_DATE, the entry's day as YYYY-MM-DD.
function(kestrine_source_date changelog)
    file(STRINGS ${changelog} trailer REGEX "^ -- .*  [^ ]" LIMIT_COUNT 1)
    if(NOT trailer MATCHES "^ -- .*  ([^ ].*)$")
        message(FATAL_ERROR "${changelog} has no entry with a date")
    endif()
    execute_process(COMMAND date -u -d "${CMAKE_MATCH_1}" "+%s;%F"
        OUTPUT_VARIABLE parsed OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    list(GET parsed 0 epoch)
    list(GET parsed 1 day)
    if(NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
        set(epoch $ENV{SOURCE_DATE_EPOCH})
    endif()
    set(KESTRINE_SOURCE_DATE_EPOCH ${epoch} PARENT_SCOPE)
    set(KESTRINE_CHANGELOG_DATE ${day} PARENT_SCOPE)
endfunction()
