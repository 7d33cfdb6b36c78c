# tarvo_add_test(...) calls for list
