# Runs one script through the driver and checks that it ends well: the driver itself checks
# that its "#> LINE" lines appear in the transcript in that order and no "#< LINE" does.
# cmake -DGUION=<driver> -DESCENARIO=<script> -P escenario.cmake
cmake_minimum_required(VERSION 3.20)
execute_process(COMMAND ${GUION} ${ESCENARIO} OUTPUT_VARIABLE salida RESULT_VARIABLE estado TIMEOUT 60)
if(NOT estado EQUAL 0)
  message(FATAL_ERROR "exit status ${estado}\n${salida}")
endif()
