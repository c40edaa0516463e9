# Makes the Wine prefix PREFIX (WINEPREFIX is set by the caller) where it does
# not exist yet, and waits until Wine is done with it, so that programs run
# in parallel afterwards all find it whole. Run by the target
# skingui_wine_prefix with cmake -P.
if(EXISTS "${PREFIX}/system.reg")
  return()
endif()
message(STATUS "Creating the Wine prefix in ${PREFIX}")
execute_process(COMMAND wineboot -i OUTPUT_QUIET ERROR_QUIET)
execute_process(COMMAND wineserver -w OUTPUT_QUIET ERROR_QUIET)
if(NOT EXISTS "${PREFIX}/system.reg")
  message(FATAL_ERROR "Wine could not create its prefix in ${PREFIX}")
endif()
