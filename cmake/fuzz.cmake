# libFuzzer targets: fuzz/<name>.cpp becomes fuzz_<name>.
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)

add_library(pelmora_portable STATIC ${PELMORA_PORTABLE_SOURCES} ${PELMORA_HOST_SOURCES})
target_include_directories(pelmora_portable PUBLIC ${PELMORA_SOURCE_DIR}/src)

# The tests' portable helpers (such as the independent .lnk reader) are fuzzed too.
file(GLOB fuzz_support CONFIGURE_DEPENDS ${PELMORA_SOURCE_DIR}/tests/support/*.cpp)
add_library(pelmora_fuzz_support STATIC ${fuzz_support})
target_include_directories(pelmora_fuzz_support PUBLIC ${PELMORA_SOURCE_DIR}/tests)
target_link_libraries(pelmora_fuzz_support PUBLIC pelmora_portable)

file(GLOB fuzzers CONFIGURE_DEPENDS ${PELMORA_SOURCE_DIR}/fuzz/*.cpp)
foreach(src ${fuzzers})
  get_filename_component(name ${src} NAME_WE)
  add_executable(fuzz_${name} ${src})
  target_link_libraries(fuzz_${name} PRIVATE pelmora_fuzz_support)
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
endforeach()
