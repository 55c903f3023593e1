# The windowed program. It lands in bin/ beside vemoctl, where it finds
# Vemo.cfg, FileIcon.ico and its help.
add_executable(VeMo VeMoMain.cpp)
target_link_libraries(VeMo PRIVATE vemo_ui vemo_automation)
