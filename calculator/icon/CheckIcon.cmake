# Regenerates the icon from its text grid and fails unless the committed
# kestrune.ico is byte for byte the same. Run with -DPYTHON=... -DSOURCE_DIR=
# <calculator directory> -DWORK_DIR=<scratch directory> -P CheckIcon.cmake.
set(made ${WORK_DIR}/kestrune_regenerated.ico)
execute_process(
    COMMAND ${PYTHON} ${SOURCE_DIR}/icon/make_icon.py ${SOURCE_DIR}/icon/kestrune_icon.txt ${made}
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "make_icon.py failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${made} ${SOURCE_DIR}/src/kestrune.ico
    RESULT_VARIABLE differs)
if(differs)
    message(FATAL_ERROR "calculator/src/kestrune.ico differs from what calculator/icon/"
        "kestrune_icon.txt makes; regenerate it with calculator/icon/make_icon.py")
endif()
message(STATUS "kestrune.ico matches its source")
