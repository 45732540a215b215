# The application icon, drawn once as packaging/kelvor.svg and converted when the build is
# configured: PNGs of the usual sizes for the window (a Qt resource of kelvor_ui, ":/ikona/..."),
# and, for Windows, kelvor.ico with a resource script that puts it into kelvor.exe.
set(KELVOR_IKONA_SVG ${PROJECT_SOURCE_DIR}/packaging/kelvor.svg)
set(KELVOR_IKONA_DIR ${CMAKE_BINARY_DIR}/ikona)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${KELVOR_IKONA_SVG})

find_program(KELVOR_RSVG rsvg-convert REQUIRED)
set(KELVOR_IKONA_PNG)
file(MAKE_DIRECTORY ${KELVOR_IKONA_DIR})
foreach(rozmiar 16 24 32 48 64 128 256)
  set(png ${KELVOR_IKONA_DIR}/kelvor_${rozmiar}.png)
  execute_process(COMMAND ${KELVOR_RSVG} -w ${rozmiar} -h ${rozmiar} ${KELVOR_IKONA_SVG} -o ${png}
                  RESULT_VARIABLE wynik)
  if(NOT wynik EQUAL 0)
    message(FATAL_ERROR "rsvg-convert could not draw ${png}")
  endif()
  list(APPEND KELVOR_IKONA_PNG ${png})
endforeach()

if(WIN32)
  find_program(KELVOR_CONVERT NAMES convert-im6.q16 convert-im6 convert REQUIRED)
  set(KELVOR_IKONA_ICO ${KELVOR_IKONA_DIR}/kelvor.ico)
  execute_process(COMMAND ${KELVOR_CONVERT} ${KELVOR_IKONA_DIR}/kelvor_16.png
                          ${KELVOR_IKONA_DIR}/kelvor_24.png ${KELVOR_IKONA_DIR}/kelvor_32.png
                          ${KELVOR_IKONA_DIR}/kelvor_48.png ${KELVOR_IKONA_DIR}/kelvor_64.png
                          ${KELVOR_IKONA_DIR}/kelvor_256.png ${KELVOR_IKONA_ICO}
                  RESULT_VARIABLE wynik)
  if(NOT wynik EQUAL 0)
    message(FATAL_ERROR "ImageMagick could not write ${KELVOR_IKONA_ICO}")
  endif()
  set(KELVOR_IKONA_RC ${KELVOR_IKONA_DIR}/kelvor.rc)
  file(WRITE ${KELVOR_IKONA_RC} "IDI_ICON1 ICON \"${KELVOR_IKONA_ICO}\"\n")
endif()
