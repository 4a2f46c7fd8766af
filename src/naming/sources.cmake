# The naming subsystem lists its files in sources_*.cmake beside this one.
