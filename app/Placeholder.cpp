namespace quorva { int core_placeholder = 0; }
