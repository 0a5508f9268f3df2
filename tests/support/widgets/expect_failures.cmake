# Runs fake_strict_failures and checks that each broken rule failed its test function with a report that
# names what was shown or left, and that the rest passed.
#   cmake -DPROGRAM=<fake_strict_failures> -P expect_failures.cmake
execute_process(COMMAND "${PROGRAM}" OUTPUT_VARIABLE _sortie ERROR_VARIABLE _erreurs RESULT_VARIABLE _code)
set(_attendu
    "FAIL!  : StrictFake::questionNonScriptee() scripted platform: unscripted Yes/No box \"Titre\": Faut-il ?"
    "FAIL!  : StrictFake::saisieEtFichierNonScriptes() scripted platform: unscripted input box \"Saisie\": Nom ?\; unscripted file-open dialog \"Ouvrir\""
    "FAIL!  : StrictFake::couleurEtPoliceNonScriptees() scripted platform: unscripted colour box \"Couleur\"\; unscripted font box \"Police\""
    "FAIL!  : StrictFake::reponsesInutilisees() scripted platform: 1 scripted Yes/No answer(s) never asked for\; 1 scripted input box answer(s) never asked for"
    "FAIL!  : StrictFake::dialogueNonScripteVuAuNettoyage() scripted platform: unscripted dialog \"Choix\" (choix)"
    "PASS   : StrictFake::boiteOkSansScript()"
    "Totals: 3 passed, 5 failed")
foreach(_ligne IN LISTS _attendu)
    string(FIND "${_sortie}" "${_ligne}" _position)
    if(_position EQUAL -1)
        message(FATAL_ERROR "missing from the output: ${_ligne}\n--- output:\n${_sortie}${_erreurs}")
    endif()
endforeach()
if(NOT _code EQUAL 5)
    message(FATAL_ERROR "exit code ${_code}, expected 5 failures")
endif()
