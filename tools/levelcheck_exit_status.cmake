# The checker as a script would use it: status 2 for bad arguments, 1 and one
# line per fault for a broken folder, 0 and a single summary line when clean.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/data/levels ${WORK}/solutions)

function(run_check expected_status)
  execute_process(COMMAND ${LEVELCHECK} ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status STREQUAL expected_status)
    message(FATAL_ERROR "levelcheck ${ARGN}: status ${status}, expected ${expected_status}\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

run_check(2)
if(NOT err MATCHES "^usage: levelcheck DATA_DIR SOLUTIONS_DIR")
  message(FATAL_ERROR "no usage line: ${err}")
endif()

# Held right above the exit, the ball finishes with no rope; Lost has no file.
file(WRITE ${WORK}/data/levels.txt "<Drop>\n<Lost>\n")
file(WRITE ${WORK}/data/levels/Drop.txt
  "(0){0}<2>{1}<2>(5){0}<0>{1}<-1.5>{2}<0.3>(1)[0]{0}<0>{1}<1>{2}<0.2>{3}<1>{4}<1>")
file(WRITE ${WORK}/solutions/Drop.solution "frames 500\n")
run_check(1 ${WORK}/data ${WORK}/solutions)
string(REGEX MATCHALL "[^\n]+" lines "${out}")
list(LENGTH lines count)
list(GET lines 0 first)
list(GET lines 1 second)
if(NOT count EQUAL 3 OR NOT first MATCHES "^Drop: completes by itself at frame [0-9]+ with no ropes$"
   OR NOT second MATCHES "^Lost: cannot read the level file .*/levels/Lost.txt$"
   OR NOT out MATCHES "levelcheck: 2 findings in 2 levels\n$")
  message(FATAL_ERROR "unexpected report:\n${out}")
endif()

# A ball that needs a rope from dock 0 to dock 1 as a slide to the exit.
file(WRITE ${WORK}/data/levels.txt "<Slide>\n")
file(WRITE ${WORK}/data/levels/Slide.txt
  "(0){0}<2>{1}<2>(5){0}<1.6>{1}<-1.6>{2}<0.3>(4)[0]{0}<-1.9>{1}<0.8>[1]{0}<0.8>{1}<-0.8>"
  "(1)[0]{0}<-1.6>{1}<1.5>{2}<0.2>{3}<1>{4}<1>")
file(WRITE ${WORK}/solutions/Slide.solution "ropes 0-1\nframes 400\n")
run_check(0 ${WORK}/data ${WORK}/solutions)
if(NOT out STREQUAL "levelcheck: 1 level, all well\n")
  message(FATAL_ERROR "unexpected report:\n${out}")
endif()
file(REMOVE_RECURSE ${WORK})
