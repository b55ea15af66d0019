# The pictures the program carries, embedded at build time and read back by
# resource id: each file becomes ":/pictures/<id>.png" (platform::ResourceFork).
# make_pictures.py beside them draws them.
set(diary_pictures
  168 goal_empty.png
  169 goal_missed.png
  170 goal_hit.png
  171 header_background.png
  172 add_button.png
  173 back_button.png
  174 today_button.png
  175 next_button.png
  176 app_icon.png)

set(diary_picture_files)
while(diary_pictures)
  list(POP_FRONT diary_pictures id file)
  set(path ${CMAKE_CURRENT_LIST_DIR}/${file})
  set_source_files_properties(${path} PROPERTIES QT_RESOURCE_ALIAS ${id}.png)
  list(APPEND diary_picture_files ${path})
endwhile()

# Linked into everything that links the app library (the program and its tests).
qt_add_resources(app diary_pictures PREFIX /pictures BASE ${CMAKE_CURRENT_LIST_DIR} FILES ${diary_picture_files})
