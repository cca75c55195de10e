# The help pages in resources/help become a help collection beside the
# program, built by Qt's help generator and installed with the program.
find_package(Qt6 QUIET COMPONENTS ToolsTools)
if(TARGET Qt6::qhelpgenerator)
  set(TESSAROLEN_QHELPGENERATOR Qt6::qhelpgenerator)
else()
  find_program(TESSAROLEN_QHELPGENERATOR qhelpgenerator
    HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS} /usr/lib/qt6/libexec REQUIRED)
endif()

set(_hilfe_quelle ${CMAKE_SOURCE_DIR}/resources/help)
file(GLOB _hilfe_seiten CONFIGURE_DEPENDS ${_hilfe_quelle}/*.html ${_hilfe_quelle}/*.css)
set(_hilfe_bau ${CMAKE_BINARY_DIR}/hilfe)
set(_hilfe_qhc ${CMAKE_BINARY_DIR}/${TESSAROLEN_HILFE}.qhc)
set(_hilfe_qch ${CMAKE_BINARY_DIR}/${TESSAROLEN_HILFE}.qch)

# The generator writes the compressed help next to the project file and
# keeps its path relative to the collection: both are built in a copy of the
# sources and then put side by side beside the program.
add_custom_command(
  OUTPUT ${_hilfe_qhc} ${_hilfe_qch}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${_hilfe_bau}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${_hilfe_quelle} ${_hilfe_bau}
  COMMAND ${TESSAROLEN_QHELPGENERATOR} ${_hilfe_bau}/${TESSAROLEN_HILFE}.qhcp
          -o ${_hilfe_bau}/${TESSAROLEN_HILFE}.qhc
  COMMAND ${CMAKE_COMMAND} -E copy ${_hilfe_bau}/${TESSAROLEN_HILFE}.qhc ${_hilfe_qhc}
  COMMAND ${CMAKE_COMMAND} -E copy ${_hilfe_bau}/${TESSAROLEN_HILFE}.qch ${_hilfe_qch}
  DEPENDS ${_hilfe_seiten} ${_hilfe_quelle}/${TESSAROLEN_HILFE}.qhp
          ${_hilfe_quelle}/${TESSAROLEN_HILFE}.qhcp
  COMMENT "Help collection ${TESSAROLEN_HILFE}.qhc"
  VERBATIM)
add_custom_target(hilfe ALL DEPENDS ${_hilfe_qhc} ${_hilfe_qch})
add_dependencies(tessarolen hilfe)
install(FILES ${_hilfe_qhc} ${_hilfe_qch} DESTINATION bin)
