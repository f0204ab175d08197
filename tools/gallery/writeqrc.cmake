# cmake -DFOLDER=<pictures> -DQRC=<file> -P writeqrc.cmake
# Writes a resource collection holding every file under FOLDER at its path
# relative to FOLDER (so FOLDER/pix/search.png becomes ":/pix/search.png").
file(GLOB_RECURSE pictures RELATIVE ${FOLDER} ${FOLDER}/*)
list(SORT pictures)
set(text "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"/\">\n")
foreach(picture ${pictures})
    string(APPEND text "        <file alias=\"${picture}\">${FOLDER}/${picture}</file>\n")
endforeach()
string(APPEND text "    </qresource>\n</RCC>\n")
file(WRITE ${QRC} "${text}")
