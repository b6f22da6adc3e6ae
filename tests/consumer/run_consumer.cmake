# Builds and runs the consumer program against the module.
#   cmake -DMODE=find_package|add_subdirectory -DSOURCE_DIR=<chisquare> -DWORK_DIR=<dir> -P run_consumer.cmake
file(REMOVE_RECURSE ${WORK_DIR})

function(run)
    execute_process(COMMAND ${ARGV} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed (${result}): ${ARGV}")
    endif()
endfunction()

set(consumer_args -DCHISQUARE_CONSUMER_MODE=${MODE})
if(MODE STREQUAL "find_package")
    # Install the module on its own, as a user of the library would.
    run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/module -DCMAKE_BUILD_TYPE=Release
        -DCHISQUARE_BUILD_TESTS=OFF)
    run(${CMAKE_COMMAND} --build ${WORK_DIR}/module)
    run(${CMAKE_COMMAND} --install ${WORK_DIR}/module --prefix ${WORK_DIR}/prefix)
    list(APPEND consumer_args -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix)
else()
    list(APPEND consumer_args -DCHISQUARE_SOURCE_DIR=${SOURCE_DIR})
endif()

run(${CMAKE_COMMAND} -S ${CMAKE_CURRENT_LIST_DIR} -B ${WORK_DIR}/consumer ${consumer_args})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/consumer)
run(${WORK_DIR}/consumer/consumer)
