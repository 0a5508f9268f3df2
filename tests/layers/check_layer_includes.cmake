# Reads every #include of the program's layers and fails on one that reaches above its layer:
#   - a folder of the program above it (the order is platform/core, store, platform/widgets, dialogs, memo,
#     shell; a folder sees those before it);
#   - for the store and the platform's core part, a Qt Widgets or Qt Print Support header, in any spelling
#     (<QWidget>, <QtWidgets/QWidget>, <qwidget.h>, <QtWidgets>). Linking cannot stop the second spelling:
#     the Qt include root comes with every Qt module.
#
#   cmake -DROOTS=<folder>[,<folder>…] -DQT_INCLUDE_ROOT=<Qt's header root> -P check_layer_includes.cmake
#
# Each root holds the layers as subfolders (src/ and tests/ both do); one that holds none is an error, so
# that a wrong path cannot pass unchecked. With -DEXPECTED_VIOLATIONS=n the
# check passes only when it finds exactly n violations: that is how the check itself is tested.
cmake_minimum_required(VERSION 3.22)

set(_couches platform/core store platform/widgets dialogs memo shell)
set(_couches_sans_widgets platform/core store)
set(_modules_interdits QtWidgets QtPrintSupport)
set(_modules_permis QtCore QtGui)

# The layer a quoted include names, or "" for a header of the same folder or of no layer.
function(couche_incluse chemin resultat)
    set(_trouvee "")
    foreach(_couche ${_couches})
        if(chemin MATCHES "^${_couche}/")
            set(_trouvee ${_couche})
        endif()
    endforeach()
    set(${resultat} "${_trouvee}" PARENT_SCOPE)
endfunction()

# Whether an angled include is a Qt Widgets or Qt Print Support header. A bare name found there counts
# unless Qt Core or Qt Gui has a header of that name too (Qt keeps a few old names in both).
function(en_tete_widget nom resultat)
    set(_interdit FALSE)
    foreach(_module ${_modules_interdits})
        if(nom MATCHES "^${_module}(/|$)")
            set(_interdit TRUE)
        elseif(NOT nom MATCHES "/" AND EXISTS "${QT_INCLUDE_ROOT}/${_module}/${nom}")
            set(_interdit TRUE)
            foreach(_permis ${_modules_permis})
                if(EXISTS "${QT_INCLUDE_ROOT}/${_permis}/${nom}")
                    set(_interdit FALSE)
                endif()
            endforeach()
        endif()
    endforeach()
    set(${resultat} ${_interdit} PARENT_SCOPE)
endfunction()

if(NOT ROOTS OR NOT QT_INCLUDE_ROOT)
    message(FATAL_ERROR "usage: cmake -DROOTS=<folders> -DQT_INCLUDE_ROOT=<Qt headers> -P ${CMAKE_CURRENT_LIST_FILE}")
endif()
if(NOT EXISTS "${QT_INCLUDE_ROOT}/QtWidgets")
    message(FATAL_ERROR "no Qt Widgets headers under ${QT_INCLUDE_ROOT}")
endif()

string(REPLACE "," ";" _racines "${ROOTS}")
set(_violations 0)
foreach(_racine ${_racines})
    set(_couches_presentes 0)
    foreach(_couche ${_couches})
        if(IS_DIRECTORY "${_racine}/${_couche}")
            math(EXPR _couches_presentes "${_couches_presentes} + 1")
        endif()
    endforeach()
    if(_couches_presentes EQUAL 0)
        message(FATAL_ERROR "${_racine} holds none of the layers ${_couches}")
    endif()
    set(_rang 0)
    foreach(_couche ${_couches})
        file(GLOB_RECURSE _fichiers "${_racine}/${_couche}/*.h" "${_racine}/${_couche}/*.cpp")
        list(FIND _couches_sans_widgets ${_couche} _sans_widgets)
        foreach(_fichier ${_fichiers})
            file(STRINGS "${_fichier}" _lignes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
            foreach(_ligne ${_lignes})
                set(_faute "")
                if(_ligne MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
                    couche_incluse("${CMAKE_MATCH_1}" _incluse)
                    if(_incluse)
                        list(FIND _couches ${_incluse} _rang_inclus)
                        if(_rang_inclus GREATER _rang)
                            set(_faute "${_couche} may not see ${_incluse}")
                        endif()
                    endif()
                elseif(_ligne MATCHES "#[ \t]*include[ \t]*<([^>]+)>" AND _sans_widgets GREATER -1)
                    en_tete_widget("${CMAKE_MATCH_1}" _widget)
                    if(_widget)
                        set(_faute "${_couche} builds without Qt Widgets and Qt Print Support")
                    endif()
                endif()
                if(_faute)
                    file(RELATIVE_PATH _nom "${_racine}" "${_fichier}")
                    message("layer violation: ${_nom}: ${_ligne} (${_faute})")
                    math(EXPR _violations "${_violations} + 1")
                endif()
            endforeach()
        endforeach()
        math(EXPR _rang "${_rang} + 1")
    endforeach()
endforeach()

if(DEFINED EXPECTED_VIOLATIONS)
    if(NOT _violations EQUAL EXPECTED_VIOLATIONS)
        message(FATAL_ERROR "found ${_violations} layer violations, expected ${EXPECTED_VIOLATIONS}")
    endif()
elseif(_violations GREATER 0)
    message(FATAL_ERROR "${_violations} layer violation(s)")
endif()
