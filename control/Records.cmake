# Scores and saved games: the files in the player's documents folder.
target_sources(orvante-ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/GameFiles.cpp
)
