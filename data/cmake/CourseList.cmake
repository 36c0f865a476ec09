# zu_read_course_list(LIST FILES_VAR NAMES_VAR) — reads a courses.list: one book a line, its file name (the
# word list's name without .tsv), a TAB and the name the learner sees. Blank lines and lines starting with
# # are skipped. Used at configure time by data/CMakeLists.txt and at build time by WriteCourseList.cmake.
function(zu_read_course_list list files_var names_var)
    file(STRINGS ${list} lines ENCODING UTF-8)
    set(files)
    set(names)
    set(number 0)
    foreach(line IN LISTS lines)
        math(EXPR number "${number} + 1")
        if(line MATCHES "^[ \t]*$" OR line MATCHES "^#")
            continue()
        endif()
        if(NOT line MATCHES "^([A-Za-z0-9_-]+)\t([^\t]+)$")
            message(FATAL_ERROR "${list}:${number}: expected a file name (letters, digits, - and _), a tab "
                                "and the book's name")
        endif()
        list(APPEND files ${CMAKE_MATCH_1})
        list(APPEND names ${CMAKE_MATCH_2})
    endforeach()
    set(${files_var} ${files} PARENT_SCOPE)
    set(${names_var} ${names} PARENT_SCOPE)
endfunction()
