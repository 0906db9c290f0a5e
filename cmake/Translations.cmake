# The window's languages: i18n/tq58_<language>.ts, made into .qm files and compiled into the
# program under :/i18n. `cmake --build build --target update_translations` brings the .ts files
# up to date with the sources (new texts come in unfinished; texts gone from the sources go).
# The core's texts are marked TQ58_TEXT / TQ58_PHRASE (src/model/Phrase.h): Qt's tools read
# them as QT_TRANSLATE_NOOP.
# English only holds the plural forms of the counted texts ("%n rows"); its other texts stay
# unfinished, which shows the source text.
set(TQ58_LANGUAGES en de nl fr)
set(TQ58_TS_FILES)
foreach(language IN LISTS TQ58_LANGUAGES)
    list(APPEND TQ58_TS_FILES ${CMAKE_SOURCE_DIR}/i18n/tq58_${language}.ts)
endforeach()
file(GLOB_RECURSE TQ58_TRANSLATED_SOURCES CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/src/gui/*.cpp ${CMAKE_SOURCE_DIR}/src/gui/*.h
     ${CMAKE_SOURCE_DIR}/src/model/*.cpp ${CMAKE_SOURCE_DIR}/src/model/*.h
     ${CMAKE_SOURCE_DIR}/src/files/*.cpp ${CMAKE_SOURCE_DIR}/src/files/*.h
     ${CMAKE_SOURCE_DIR}/src/editor/*.cpp ${CMAKE_SOURCE_DIR}/src/editor/*.h
     ${CMAKE_SOURCE_DIR}/src/link/*.cpp ${CMAKE_SOURCE_DIR}/src/link/*.h
     ${CMAKE_SOURCE_DIR}/src/program/*.cpp ${CMAKE_SOURCE_DIR}/src/program/*.h)
set(TQ58_LUPDATE_OPTIONS -locations none -no-obsolete -tr-function-alias
    QT_TRANSLATE_NOOP+=TQ58_TEXT,QT_TRANSLATE_NOOP+=TQ58_PHRASE)
qt_add_translations(tq58gui
    TS_FILES ${TQ58_TS_FILES}
    SOURCES ${TQ58_TRANSLATED_SOURCES}
    INCLUDE_DIRECTORIES ${CMAKE_SOURCE_DIR}/src
    LUPDATE_OPTIONS ${TQ58_LUPDATE_OPTIONS}
    LRELEASE_OPTIONS -silent)
