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

# Pars: one rope is the fewest for Slide. Copies of a level whose stored answer
# hangs two ropes, where one of them alone finishes, fail a par too low for the
# answer and one the search shows too high.
file(WRITE ${WORK}/data/par.txt "<Slide 1>\n")
run_check(0 --par ${WORK}/data ${WORK}/solutions)
if(NOT out STREQUAL "levelcheck: 1 par, all well; 1 proven minimal\n")
  message(FATAL_ERROR "unexpected par report:\n${out}")
endif()
file(WRITE ${WORK}/data/levels.txt "<Low>\n<High>\n")
file(WRITE ${WORK}/data/par.txt "<Low 1>\n<High 2>\n")
foreach(name Low High)
  file(WRITE ${WORK}/data/levels/${name}.txt
    "(0){0}<2>{1}<2>(5){0}<1.6>{1}<-1.6>{2}<0.3>(4)[0]{0}<-1.9>{1}<0.8>[1]{0}<0.8>{1}<-0.8>[2]{0}<-1.9>{1}<-1.9>"
    "(1)[0]{0}<-1.6>{1}<1.5>{2}<0.2>{3}<1>{4}<1>")
  file(WRITE ${WORK}/solutions/${name}.solution "ropes 0-2 0-1\nframes 400\n")
endforeach()
run_check(1 --par ${WORK}/data ${WORK}/solutions)
string(CONCAT expected "Low: par 1 is lower than the 2 ropes of its stored solution\n"
                       "High: par 2 is too high: 1 rope finishes it (0-1)\n"
                       "levelcheck: 2 findings in the pars of 2 levels\n")
if(NOT out STREQUAL expected)
  message(FATAL_ERROR "unexpected par report:\n${out}")
endif()
# Too few tries to play every lone rope: the par stands, said to be unproven.
file(WRITE ${WORK}/data/par.txt "<Low 2>\n<High 2>\n")
run_check(0 --par ${WORK}/data ${WORK}/solutions 5)
if(NOT out MATCHES "High: par 2 is not proven minimal: the 9 choices of 1 rope are more than the 5 tries")
  message(FATAL_ERROR "no unproven par:\n${out}")
endif()
# Worked out, both pars are the lone rope the search finds, to be stored.
run_check(0 --write-par ${WORK}/data ${WORK}/solutions)
if(NOT out MATCHES "\n<Low 1>\n<High 1>\n$"
   OR NOT err MATCHES "High: 1 rope finishes it \\(0-1, at frame [0-9]+\\): store them as a shortest line of ")
  message(FATAL_ERROR "unexpected pars worked out:\n${out}${err}")
endif()
# A listed level without a par, and a par for a level no longer listed.
file(WRITE ${WORK}/data/par.txt "<Low 2>\n<Gone 1>\n")
run_check(1 --par ${WORK}/data ${WORK}/solutions)
if(NOT out MATCHES "^Gone: has a par in [^\n]*par.txt but is not listed in levels.txt\n"
   OR NOT out MATCHES "\nHigh: has no par in ")
  message(FATAL_ERROR "unexpected par report:\n${out}")
endif()
file(REMOVE_RECURSE ${WORK})
