# tarvo_add_test(...) calls for host
