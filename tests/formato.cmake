# Fails when a source file differs from the repository's .clang-format.
# cmake -DRAIZ=<source dir> -DCLANG_FORMAT=<program> -P formato.cmake
cmake_minimum_required(VERSION 3.20)
if(NOT CLANG_FORMAT)
  message(FATAL_ERROR "clang-format is missing: herramientas/dependencias.sh installs it")
endif()
set(archivos "")
foreach(carpeta platform game shell round opponent calls settlement players guion qt tests bench)
  file(GLOB_RECURSE encontrados ${RAIZ}/${carpeta}/*.cpp ${RAIZ}/${carpeta}/*.h)
  list(APPEND archivos ${encontrados})
endforeach()
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror ${archivos}
                WORKING_DIRECTORY ${RAIZ} RESULT_VARIABLE estado ERROR_VARIABLE diferencias)
if(NOT estado EQUAL 0)
  message(FATAL_ERROR "Files that differ from .clang-format (clang-format -i fixes them):\n${diferencias}")
endif()
