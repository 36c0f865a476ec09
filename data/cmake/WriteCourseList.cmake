# cmake -DLIST=courses.list -DOUTPUT=Course.xml -P WriteCourseList.cmake
# Writes the course list the program reads: root element course, one item per book with the book's name as
# its text and its file name in the attribute file, in the order of courses.list.
include(${CMAKE_CURRENT_LIST_DIR}/CourseList.cmake)
zu_read_course_list(${LIST} files names)

function(xml_escape text out_var)
    string(REPLACE "&" "&amp;" text "${text}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(REPLACE ">" "&gt;" text "${text}")
    string(REPLACE "\"" "&quot;" text "${text}")
    set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

set(xml "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<course>\n")
foreach(file name IN ZIP_LISTS files names)
    xml_escape("${name}" name)
    string(APPEND xml "    <item file=\"${file}\">${name}</item>\n")
endforeach()
string(APPEND xml "</course>\n")

# Written beside and renamed, so that the program never finds half a list.
file(WRITE ${OUTPUT}.tmp "${xml}")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
