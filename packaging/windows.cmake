# The program folder on Windows, as the installer and the zip hold it:
# montivant.exe with its icon, version and manifest; the files it reads from
# its own folder; the Qt libraries and plugins it loads, with Qt's French
# texts; the compiler's runtime libraries; the licences.
#   cmake --install build-windows --prefix STAGE
set(win_dir ${CMAKE_SOURCE_DIR}/resources/windows)
set(MONTIVANT_ICO ${win_dir}/montivant.ico)
set(MONTIVANT_MANIFEST ${CMAKE_BINARY_DIR}/generated/montivant.manifest)
configure_file(${win_dir}/montivant.manifest.in ${MONTIVANT_MANIFEST} @ONLY)
configure_file(${win_dir}/montivant.rc.in ${CMAKE_BINARY_DIR}/generated/montivant.rc @ONLY)
target_sources(montivant PRIVATE ${CMAKE_BINARY_DIR}/generated/montivant.rc)
set_source_files_properties(${CMAKE_BINARY_DIR}/generated/montivant.rc PROPERTIES
  OBJECT_DEPENDS "${MONTIVANT_ICO};${MONTIVANT_MANIFEST}")

install(TARGETS montivant RUNTIME DESTINATION .)
install(FILES ${CMAKE_BINARY_DIR}/TIPOFDAY.TXT ${CMAKE_BINARY_DIR}/gagner.wav
              ${CMAKE_BINARY_DIR}/perdu.wav ${MONTIVANT_ICO}
        DESTINATION .)

# Qt: the three libraries, the Windows platform plugin and Windows's own style.
# qt.conf makes the program's folder Qt's prefix, where the translations are.
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
file(WRITE ${CMAKE_BINARY_DIR}/generated/qt.conf "[Paths]\nPrefix=.\n")
install(FILES ${CMAKE_BINARY_DIR}/generated/qt.conf DESTINATION .)
# Qt's own French texts ("Annuler", "Oui", "Non"): the same file on every
# system, from Debian's qt6-translations-l10n.
find_file(MONTIVANT_QTBASE_FR qtbase_fr.qm
          PATHS /usr/share/qt6/translations NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
install(FILES ${MONTIVANT_QTBASE_FR} DESTINATION translations)

# The C++ runtime of mingw-w64 (posix threads), as its compiler links it.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "${dll}: not found by ${CMAKE_CXX_COMPILER}")
  endif()
  install(FILES ${path} DESTINATION .)
  # Debian ships them with their symbols (libstdc++ weighs 23 MB so).
  install(CODE "execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${CMAKE_INSTALL_PREFIX}/${dll}\" COMMAND_ERROR_IS_FATAL ANY)")
endforeach()

# The licences: the program's, Qt's (kept beside Qt when it was built from
# Debian's source) and where that source is.
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION licences RENAME montivant-GPL-3.0.txt)
get_filename_component(qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
file(GLOB qt_licences ${qt_prefix}/licences/*)
if(NOT qt_licences)
  message(FATAL_ERROR "No licence texts in ${qt_prefix}/licences (scripts/qt-windows puts them there)")
endif()
install(FILES ${qt_licences} DESTINATION licences)
