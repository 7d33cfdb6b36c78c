# controls: target_sources(toolkit_pure ...) for window-free files and, if(WIN32), target_sources(toolkit ...)
