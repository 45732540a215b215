# Joins the manual's fragments (ZRODLA/podrecznik/*.html, in file-name order) into one file CEL
# and copies the screenshots they show (ZRODLA/screenshots/*.png) into the folder
# "kelvor-rysunki" beside it. The fragments refer to the pictures as "../screenshots/NAME.png",
# which is right where they lie in the source tree; the joined file gets the folder beside it.
file(GLOB czesci ${ZRODLA}/podrecznik/*.html)
list(SORT czesci)
set(tekst "")
foreach(czesc IN LISTS czesci)
  file(READ ${czesc} fragment)
  string(APPEND tekst "${fragment}")
endforeach()
string(REPLACE "../screenshots/" "kelvor-rysunki/" tekst "${tekst}")
get_filename_component(katalog ${CEL} DIRECTORY)
file(GLOB rysunki ${ZRODLA}/screenshots/*.png)
file(MAKE_DIRECTORY ${katalog}/kelvor-rysunki)
if(rysunki)
  file(COPY ${rysunki} DESTINATION ${katalog}/kelvor-rysunki)
endif()
file(WRITE ${CEL}.tmp "${tekst}")
file(RENAME ${CEL}.tmp ${CEL})
