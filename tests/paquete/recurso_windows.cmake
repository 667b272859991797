# The Windows version resource, compiled as a Windows build compiles it and read back: the fields
# the file's properties show, the language block, and the version the build itself carries.
#   cmake -DRC=<zafrelo.rc> -DVERSION=<project version> -DTEMPORAL=<scratch folder> -P this file

cmake_minimum_required(VERSION 3.21)

find_program(WINDRES NAMES x86_64-w64-mingw32-windres i686-w64-mingw32-windres)
if(NOT WINDRES)
  message("windres is not installed: nothing checked (package binutils-mingw-w64-x86-64)")
  return()
endif()
# windres preprocesses with the MinGW compiler; without one the system's C preprocessor does,
# since the resource needs no Windows header.
find_program(GCC_MINGW NAMES x86_64-w64-mingw32-gcc i686-w64-mingw32-gcc)
find_program(CPP_SISTEMA cpp)
set(preprocesador)
if(NOT GCC_MINGW AND CPP_SISTEMA)
  set(preprocesador --preprocessor=${CPP_SISTEMA})
endif()

file(REMOVE_RECURSE ${TEMPORAL})
file(MAKE_DIRECTORY ${TEMPORAL})
set(res ${TEMPORAL}/zafrelo.res)
execute_process(COMMAND ${WINDRES} ${preprocesador} -i ${RC} -O res -o ${res}
                RESULT_VARIABLE rc ERROR_VARIABLE error)
if(rc)
  message(FATAL_ERROR "windres could not compile ${RC}:\n${error}")
endif()
execute_process(COMMAND ${WINDRES} -J res -i ${res} -O rc
                RESULT_VARIABLE rc OUTPUT_VARIABLE leido ERROR_VARIABLE error)
if(rc)
  message(FATAL_ERROR "windres could not read ${res} back:\n${error}")
endif()

set(fallos)
function(esperar texto)
  string(FIND "${leido}" "${texto}" donde)
  if(donde EQUAL -1)
    set(fallos ${fallos} "missing: ${texto}" PARENT_SCOPE)
  endif()
endfunction()

# FILEVERSION 1,0,0,0 from the version "1.00": each part read as a number, four parts in all.
string(REPLACE "." ";" partes "${VERSION}")
set(numeros)
foreach(parte IN LISTS partes)
  math(EXPR n "${parte}")
  list(APPEND numeros ${n})
endforeach()
list(LENGTH numeros cuantos)
while(cuantos LESS 4)
  list(APPEND numeros 0)
  math(EXPR cuantos "${cuantos} + 1")
endwhile()
list(JOIN numeros ", " cuatro)
esperar("FILEVERSION ${cuatro}\n")
esperar("PRODUCTVERSION ${cuatro}\n")
esperar("BLOCK \"040904B0\"")
esperar("VALUE \"ProductName\", \"Zafrelo\"")
esperar("VALUE \"InternalName\", \"Zafrelo\"")
esperar("VALUE \"FileVersion\", \"${VERSION}\"")
esperar("VALUE \"ProductVersion\", \"${VERSION}\"")
esperar("VALUE \"OriginalFilename\", \"zafrelo.exe\"")
esperar("VALUE \"Translation\", 0x409, 1200")
foreach(campo CompanyName FileDescription)
  if(NOT leido MATCHES "VALUE \"${campo}\", L?\"[^\"]+\"")
    list(APPEND fallos "missing or empty: ${campo}")
  endif()
endforeach()
# The source is UTF-8: "área" must come back as U+00E1 (octal 341), not as two Latin-1 letters.
esperar([=[modelo de \341rea]=])

# In the binary itself the strings are UTF-16, little-endian.
file(READ ${res} binario HEX)
foreach(texto 040904B0 Zafrelo ${VERSION})
  string(HEX "${texto}" hex)
  string(REGEX REPLACE "(..)" "\\100" utf16 "${hex}")
  string(FIND "${binario}" "${utf16}" donde)
  if(donde EQUAL -1)
    list(APPEND fallos "not in the .res as UTF-16: ${texto}")
  endif()
endforeach()

if(fallos)
  list(JOIN fallos "\n  " lista)
  message(FATAL_ERROR "version resource:\n  ${lista}\nas read back:\n${leido}")
endif()
message(STATUS "version resource ${VERSION} read back from ${res}")
