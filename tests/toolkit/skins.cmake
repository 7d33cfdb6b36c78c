# tarvo_add_test(...) calls for skins and image pools
