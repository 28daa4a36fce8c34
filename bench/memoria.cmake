# naipalia-bench-memoria: the desktop program's memory over whole games; the self-play
# player's choices answer its dialogs.
if(TARGET naipalia-vista)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  add_executable(naipalia-bench-memoria ${CMAKE_CURRENT_LIST_DIR}/bench_memoria.cpp)
  target_link_libraries(naipalia-bench-memoria PRIVATE naipalia-vista naipalia-autojuego Qt6::Test)
  set_target_properties(naipalia-bench-memoria PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${NAIPALIA_PROGRAMA})
  add_dependencies(naipalia-bench-memoria naipalia-archivos naipalia-sonidos)
endif()
