# libmd's MD5 (MD5Init, MD5Update, MD5Final) as the target quor_md5: Debian's
# libmd-dev natively; for Windows, built from Debian's libmd source package by
# scripts/libmd-win.sh and cached outside the build tree.
add_library(quor_md5 INTERFACE)
if(QUOR_WINDOWS)
  if(DEFINED ENV{XDG_CACHE_HOME})
    set(quor_libmd_cache $ENV{XDG_CACHE_HOME}/quor-libmd)
  else()
    set(quor_libmd_cache $ENV{HOME}/.cache/quor-libmd)
  endif()
  execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/libmd-win.sh ${QUOR_TRIPLET} ${quor_libmd_cache}
                  OUTPUT_VARIABLE quor_libmd_root OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE quor_libmd_result)
  if(NOT quor_libmd_result EQUAL 0)
    message(FATAL_ERROR "libmd for ${QUOR_TRIPLET} could not be built")
  endif()
  target_include_directories(quor_md5 INTERFACE ${quor_libmd_root}/include)
  target_link_libraries(quor_md5 INTERFACE ${quor_libmd_root}/lib/libmd.a)
else()
  find_path(QUOR_LIBMD_INCLUDE md5.h REQUIRED)
  find_library(QUOR_LIBMD md REQUIRED)
  target_include_directories(quor_md5 INTERFACE ${QUOR_LIBMD_INCLUDE})
  target_link_libraries(quor_md5 INTERFACE ${QUOR_LIBMD})
endif()
