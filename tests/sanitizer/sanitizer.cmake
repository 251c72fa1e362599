# Under the sanitizers: the start-up test runs the real game to its normal end,
# where glfwTerminate unloads the GL driver. LeakSanitizer then sees the
# driver's leftovers with no library to name them by, so lsan.supp cannot
# match them. Preloading the driver keeps it mapped to the end of the process.
if(BRINDLEMOOR_SANITIZE)
  find_file(BRINDLEMOOR_GL_DRIVER swrast_dri.so
    PATHS /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/dri /usr/lib64/dri /usr/lib/dri
    NO_DEFAULT_PATH)
  if(BRINDLEMOOR_GL_DRIVER)
    set_property(TEST test_startup APPEND PROPERTY ENVIRONMENT "LD_PRELOAD=${BRINDLEMOOR_GL_DRIVER}")
  endif()
endif()
