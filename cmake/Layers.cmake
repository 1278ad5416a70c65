# SPDX-License-Identifier: GPL-3.0-or-later
# The layer graph, written once: each layer and the layers it uses
# directly. The libraries link what it says (boxmill_library), the include
# check allows what it reaches (CheckLayers.cmake), and a link that it does
# not allow fails the configuration (boxmill_check_layer_links). Read by
# the build and by `cmake -P` alike, so it holds plain variables only.
set(BOXMILL_PLAIN_LAYERS core geometry cutlist designer views panels print help sheets jobs)
set(BOXMILL_UI_FEATURES cutlist designer views panels print help jobs sheets)

set(BOXMILL_USES_core "")
set(BOXMILL_USES_geometry core)
set(BOXMILL_USES_cutlist geometry)
set(BOXMILL_USES_designer geometry)
set(BOXMILL_USES_views cutlist designer)
set(BOXMILL_USES_panels core)
set(BOXMILL_USES_print views)
set(BOXMILL_USES_help core)
set(BOXMILL_USES_sheets cutlist)
set(BOXMILL_USES_jobs sheets designer)
# Edits, undo and files; the drawings, printing and help are the windows'
# and the command line's to ask for.
set(BOXMILL_USES_session cutlist designer panels sheets jobs)
# Painting with QtGui alone: the drawings, printed pages and diagrams that
# the windows show and the command line writes as PDF.
set(BOXMILL_USES_paint print jobs)
set(BOXMILL_USES_ui/common session paint)
foreach(feature IN LISTS BOXMILL_UI_FEATURES)
    # A feature's windows use their own plain code and what all windows share.
    set(BOXMILL_USES_${feature}/ui ${feature} ui/common)
    list(APPEND BOXMILL_USES_app ${feature}/ui)
endforeach()
# The command line paints its PDF files as the windows do, on Qt's
# offscreen platform, without linking a widget.
set(BOXMILL_USES_cli session print paint)

set(BOXMILL_LAYERS ${BOXMILL_PLAIN_LAYERS} session paint ui/common app cli)
foreach(feature IN LISTS BOXMILL_UI_FEATURES)
    list(APPEND BOXMILL_LAYERS ${feature}/ui)
endforeach()

# Every layer a layer may reach, itself included.
function(boxmill_layer_reach layer out)
    set(reach ${layer})
    set(queue ${BOXMILL_USES_${layer}})
    while(queue)
        list(POP_FRONT queue next)
        if(NOT next IN_LIST reach)
            list(APPEND reach ${next})
            list(APPEND queue ${BOXMILL_USES_${next}})
        endif()
    endwhile()
    set(${out} ${reach} PARENT_SCOPE)
endfunction()

# The library that holds a layer: ui/common -> boxmill_ui_common.
function(boxmill_layer_target layer out)
    string(REPLACE "/" "_" name "${layer}")
    if(layer STREQUAL "cli")
        set(${out} boxmill-cli PARENT_SCOPE)
    else()
        set(${out} boxmill_${name} PARENT_SCOPE)
    endif()
endfunction()

function(boxmill_layer_links layer out)
    set(links "")
    foreach(used IN LISTS BOXMILL_USES_${layer})
        boxmill_layer_target(${used} target)
        list(APPEND links ${target})
    endforeach()
    set(${out} ${links} PARENT_SCOPE)
endfunction()

# Fails when a layer's library links another layer's that the graph does
# not let it reach; run once every target is defined.
function(boxmill_check_layer_links)
    set(violations "")
    set(layer_targets "")
    foreach(layer IN LISTS BOXMILL_LAYERS)
        boxmill_layer_target(${layer} target)
        list(APPEND layer_targets ${target})
    endforeach()
    foreach(layer IN LISTS BOXMILL_LAYERS)
        boxmill_layer_target(${layer} target)
        if(NOT TARGET ${target})
            continue()
        endif()
        boxmill_layer_reach(${layer} reach)
        set(allowed "")
        foreach(reached IN LISTS reach)
            boxmill_layer_target(${reached} reached_target)
            list(APPEND allowed ${reached_target})
        endforeach()
        get_target_property(links ${target} LINK_LIBRARIES)
        get_target_property(interface_links ${target} INTERFACE_LINK_LIBRARIES)
        list(APPEND links ${interface_links})
        list(REMOVE_DUPLICATES links)
        foreach(link IN LISTS links)
            if(link IN_LIST layer_targets AND NOT link IN_LIST allowed)
                string(APPEND violations "\n  ${target} links ${link}")
            endif()
        endforeach()
    endforeach()
    if(violations)
        message(FATAL_ERROR "Links that the layer graph (cmake/Layers.cmake) does not allow:${violations}")
    endif()
endfunction()
