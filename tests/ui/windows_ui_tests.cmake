# Windows: every test program runs with Windows' own windows, under Wine on
# a virtual X display managed by openbox (with_window_manager.sh), as on a
# desktop; Wine's headless mode has no windows to show. Qt's test log goes to
# the standard output only when the program has a console or is told so.
set(on_display sh ${CMAKE_CURRENT_SOURCE_DIR}/with_window_manager.sh
    env QT_QPA_PLATFORM=windows QT_FORCE_STDERR_LOGGING=1)
set(wine_run ${PROJECT_SOURCE_DIR}/scripts/wine-run.sh)

foreach(topic ${topics})
  add_test(NAME ui_${topic}
           COMMAND ${on_display} ${wine_run} --display $<TARGET_FILE:ui_${topic}_test>)
endforeach()
list(TRANSFORM topics PREPEND ui_ OUTPUT_VARIABLE tests)

# The windows at Windows' display scalings, in screen pixels.
add_test(NAME ui_scaling
  COMMAND ${on_display} sh ${CMAKE_CURRENT_SOURCE_DIR}/check_scaling_windows.sh ${wine_run}
          $<TARGET_FILE:ui_dpi_probe>)

set_tests_properties(${tests} ui_scaling PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)
