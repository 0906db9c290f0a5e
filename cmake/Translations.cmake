# The window's languages: i18n/tq58_<language>.ts, made into .qm files and compiled into the
# program under :/i18n. `cmake --build build --target update_translations` brings the .ts files
# up to date with the sources (new texts come in unfinished; texts gone from the sources go).
# The core's texts are marked TQ58_TEXT / TQ58_PHRASE (src/model/Phrase.h): Qt's tools read
# them as QT_TRANSLATE_NOOP, and the counted TQ58_COUNTED as QT_TRANSLATE_N_NOOP.
# English only holds the plural forms of the counted texts ("%n rows"); its other texts stay
# unfinished, which shows the source text.
set(TQ58_LANGUAGES en de nl fr es it sv da nb fi pl)
set(TQ58_TS_FILES)
foreach(language IN LISTS TQ58_LANGUAGES)
    list(APPEND TQ58_TS_FILES ${CMAKE_SOURCE_DIR}/i18n/tq58_${language}.ts)
endforeach()
# The folders whose texts the window shows; the report's stay English.
set(TQ58_TRANSLATED_FOLDERS src/gui src/platform src/model src/files src/editor src/link
    src/program)
set(TQ58_TRANSLATED_SOURCES)
foreach(folder IN LISTS TQ58_TRANSLATED_FOLDERS)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp
         ${CMAKE_SOURCE_DIR}/${folder}/*.h)
    list(APPEND TQ58_TRANSLATED_SOURCES ${sources})
endforeach()
set(TQ58_LUPDATE_OPTIONS -locations relative -no-obsolete -tr-function-alias
    QT_TRANSLATE_NOOP+=TQ58_TEXT,QT_TRANSLATE_NOOP+=TQ58_PHRASE,QT_TRANSLATE_N_NOOP+=TQ58_COUNTED)
qt_add_translations(tq58gui
    TS_FILES ${TQ58_TS_FILES}
    SOURCES ${TQ58_TRANSLATED_SOURCES}
    INCLUDE_DIRECTORIES ${CMAKE_SOURCE_DIR}/src
    LUPDATE_OPTIONS ${TQ58_LUPDATE_OPTIONS}
    LRELEASE_OPTIONS -silent)
