# What `cmake --install` lays out and what `make package` builds.
