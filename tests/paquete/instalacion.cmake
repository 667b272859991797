# `cmake --install` into a scratch DESTDIR under /usr: exactly the files a desktop needs, where it
# looks for them, and naming each other as they must (launcher, metainfo, icon, program).
#   cmake -DCONSTRUCCION=<build folder> -DFUENTES=<source folder> -DID=<application id>
#         -DVERSION=<project version> -DTEMPORAL=<scratch folder> -P this file

cmake_minimum_required(VERSION 3.21)

file(REMOVE_RECURSE ${TEMPORAL})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${TEMPORAL}
          ${CMAKE_COMMAND} --install ${CONSTRUCCION} --prefix /usr
  RESULT_VARIABLE rc OUTPUT_VARIABLE salida ERROR_VARIABLE salida)
if(rc)
  message(FATAL_ERROR "cmake --install failed:\n${salida}")
endif()
set(raiz ${TEMPORAL}/usr)
set(fallos)

# Nothing missing, nothing more (no library, header or test installed by mistake).
set(tamanos 16 32 48 64 128 256)
set(esperados
    bin/zafrelo
    share/applications/${ID}.desktop
    share/metainfo/${ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${ID}.svg
    share/doc/zafrelo/copyright)
foreach(n IN LISTS tamanos)
  list(APPEND esperados share/icons/hicolor/${n}x${n}/apps/${ID}.png)
endforeach()
file(GLOB_RECURSE instalados LIST_DIRECTORIES false RELATIVE ${raiz} ${raiz}/*)
list(SORT esperados)
list(SORT instalados)
if(NOT instalados STREQUAL esperados)
  list(JOIN esperados "\n  " e)
  list(JOIN instalados "\n  " i)
  message(FATAL_ERROR "installed files differ.\nexpected:\n  ${e}\ninstalled:\n  ${i}")
endif()

execute_process(COMMAND test -x ${raiz}/bin/zafrelo RESULT_VARIABLE rc)
file(READ ${raiz}/bin/zafrelo elf LIMIT 4 HEX)
if(rc OR NOT elf STREQUAL "7f454c46")
  list(APPEND fallos "bin/zafrelo is not an executable program")
endif()

# Each PNG is the size its folder says (width and height from the PNG header).
foreach(n IN LISTS tamanos)
  set(png ${raiz}/share/icons/hicolor/${n}x${n}/apps/${ID}.png)
  file(READ ${png} cabecera LIMIT 24 HEX)
  string(SUBSTRING "${cabecera}" 0 16 firma)
  string(SUBSTRING "${cabecera}" 32 8 ancho)
  string(SUBSTRING "${cabecera}" 40 8 alto)
  math(EXPR ancho "0x${ancho}")
  math(EXPR alto "0x${alto}")
  if(NOT firma STREQUAL "89504e470d0a1a0a" OR NOT ancho EQUAL n OR NOT alto EQUAL n)
    list(APPEND fallos "icon ${n}x${n} is a ${ancho}x${alto} image (or no PNG)")
  endif()
endforeach()
file(READ ${raiz}/share/icons/hicolor/scalable/apps/${ID}.svg svg)
if(NOT svg MATCHES "<svg[^>]*viewBox=")
  list(APPEND fallos "the scalable icon is not an SVG with a viewBox")
endif()

# The launcher starts the installed program and shows the installed icon, under Education.
file(STRINGS ${raiz}/share/applications/${ID}.desktop lanzador)
set(claves)
foreach(linea IN LISTS lanzador)
  if(linea MATCHES "^([A-Za-z]+)=(.*)$")
    set(clave_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
  endif()
endforeach()
string(REGEX REPLACE " .*" "" orden "${clave_Exec}")
if(NOT EXISTS ${raiz}/bin/${orden})
  list(APPEND fallos "Exec=${clave_Exec} names no installed program")
endif()
if(NOT clave_Icon STREQUAL ID)
  list(APPEND fallos "Icon=${clave_Icon}, the icons are installed as ${ID}")
endif()
if(NOT clave_Categories MATCHES "(^|;)Education;" OR NOT clave_Categories MATCHES "(^|;)Math;")
  list(APPEND fallos "Categories=${clave_Categories} leaves out Education or Math")
endif()
if(clave_Name STREQUAL "" OR clave_Comment STREQUAL "")
  list(APPEND fallos "the launcher has no Name or no Comment")
endif()

# The software-centre entry: same id, the launcher above, this version, this program, and a
# screenshot that exists in the sources under the path its address names.
file(READ ${raiz}/share/metainfo/${ID}.metainfo.xml meta)
foreach(patron
        "<id>${ID}</id>"
        "<launchable type=\"desktop-id\">${ID}.desktop</launchable>"
        "<release version=\"${VERSION}\""
        "<binary>${orden}</binary>"
        "<project_license>[^<]+</project_license>"
        "<metadata_license>CC0-1.0</metadata_license>"
        "<content_rating type=\"oars-[0-9.]+\"")
  if(NOT meta MATCHES "${patron}")
    list(APPEND fallos "metainfo lacks ${patron}")
  endif()
endforeach()
if(meta MATCHES "<image>https://[^<]*/main/([^<]+)</image>")
  set(captura ${FUENTES}/${CMAKE_MATCH_1})
  file(READ ${captura} firma LIMIT 8 HEX)
  if(NOT firma STREQUAL "89504e470d0a1a0a")
    list(APPEND fallos "the screenshot ${CMAKE_MATCH_1} is not a PNG in the sources")
  endif()
else()
  list(APPEND fallos "metainfo has no screenshot from the sources")
endif()

if(fallos)
  list(JOIN fallos "\n  " lista)
  message(FATAL_ERROR "install into ${TEMPORAL}:\n  ${lista}")
endif()
message(STATUS "installed into ${TEMPORAL}")
