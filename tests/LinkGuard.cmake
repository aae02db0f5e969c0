# Fails when the archive ARCHIVE defines one of the functions that each
# program defines in its own units.
set(replaced
  "RoleGoalie::PlayOn"
  "RoleGoalie::Goal_Kick_Left"
  "RoleGoalie::Goal_Kick_Right"
  "RoleGoalie::Free_Kick_Left"
  "RoleGoalie::Free_Kick_Right"
  "RoleForward::PlayOn"
  "Tactic::sortOppAllByDistToBall"
  "Skills::getUp")
execute_process(COMMAND nm -C --defined-only ${ARCHIVE}
                OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "nm failed on ${ARCHIVE}")
endif()
# A listing that misses the shared code proves nothing.
if(NOT symbols MATCHES " Skills::getUpOrWalk(\\[abi:cxx11\\])?\\(")
  message(FATAL_ERROR "${ARCHIVE} does not hold the shared code")
endif()
set(found "")
foreach(name IN LISTS replaced)
  # A returned std::string tags the name with [abi:cxx11].
  if(symbols MATCHES " ${name}(\\[abi:cxx11\\])?\\(")
    list(APPEND found "${name}")
  endif()
endforeach()
if(found)
  message(FATAL_ERROR "${ARCHIVE} defines ${found}")
endif()
