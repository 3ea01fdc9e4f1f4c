# The bad-input corpus of every console program: each program is run over the
# cases in <its directory>/badinput/<program>/ (label badinput) and, outside
# the sanitizer build, once more under valgrind's memcheck (label memcheck).
# Memcheck and the address sanitizer cannot watch the same process.
set(KIT_BADINPUT_RUNNER ${CMAKE_CURRENT_LIST_DIR}/../testing/badinput.py)

foreach(entry selvo:selvo quessa:quessa rindle:rindle
              drivers:pello drivers:dallik drivers:fenso drivers:brevo)
  string(REPLACE ":" ";" entry ${entry})
  list(GET entry 0 dir)
  list(GET entry 1 program)
  if(NOT TARGET ${program})
    continue()
  endif()
  set(cases ${CMAKE_CURRENT_LIST_DIR}/${dir}/badinput/${program})
  add_test(NAME ${program}_badinput
           COMMAND python3 ${KIT_BADINPUT_RUNNER} $<TARGET_FILE:${program}> ${cases})
  set_tests_properties(${program}_badinput PROPERTIES LABELS badinput TIMEOUT 300)
  if(NOT KIT_SANITIZE)
    add_test(NAME ${program}_memcheck
             COMMAND python3 ${KIT_BADINPUT_RUNNER} $<TARGET_FILE:${program}> ${cases} --valgrind)
    set_tests_properties(${program}_memcheck PROPERTIES LABELS memcheck TIMEOUT 600)
  endif()
endforeach()
