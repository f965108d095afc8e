# Playing a game: game flow, clock and status, board input, placement and completion.
target_sources(orvante-ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/BoardInput.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Clock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GameFlow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Placement.cpp
)
