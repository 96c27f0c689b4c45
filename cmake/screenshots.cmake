# `make screenshots`: pictures of every screen.
add_custom_target(screenshots)
