# Skins and image pools: target_sources(toolkit_pure ...) and, if(WIN32), target_sources(toolkit ...)
