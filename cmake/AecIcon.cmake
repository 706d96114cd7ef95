# The program's icon: one hand-drawn SVG, rendered to PNG sizes at build time with rsvg-convert
# (Debian: librsvg2-bin; Homebrew and MSYS2: librsvg), so no rendered picture is committed and
# every build renders the same pixels from the same drawing.

# The square sizes rendered from the drawing: the window's icon and the hicolor theme's folders.
set(AEC_ICON_SIZES 16 22 24 32 48 64 128 256)

find_program(AEC_RSVG_CONVERT rsvg-convert)
if(NOT AEC_RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert renders the program's icon: install librsvg2-bin "
                      "(scripts/install-deps.sh does)")
endif()

# aec_add_icon_resource(<target> <svg>)
# Renders <svg> at every size in AEC_ICON_SIZES and compiles the PNGs into <target> as the Qt
# resources ":/icons/application-<size>.png". Records the drawing and the rendered files in the
# global properties AEC_ICON_SVG and AEC_ICON_PNGS (a list of <size>=<file>) for install rules.
function(aec_add_icon_resource target svg)
  set(base ${CMAKE_CURRENT_BINARY_DIR}/rendered-icon)
  set(pngs)
  set(records)
  foreach(size IN LISTS AEC_ICON_SIZES)
    set(png ${base}/icons/application-${size}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${base}/icons
      COMMAND ${AEC_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg}
      DEPENDS ${svg}
      COMMENT "Rendering the icon at ${size}x${size}"
      VERBATIM)
    list(APPEND pngs ${png})
    list(APPEND records "${size}=${png}")
  endforeach()
  qt_add_resources(${target} application_icon PREFIX "/" BASE ${base} FILES ${pngs})
  set_property(GLOBAL PROPERTY AEC_ICON_SVG ${svg})
  set_property(GLOBAL PROPERTY AEC_ICON_PNGS ${records})
endfunction()
