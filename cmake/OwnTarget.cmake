# Warnings that fail the build apply to our own code only, never to third-party headers.
function(orvantix_own_target target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
