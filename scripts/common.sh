# Sourced by the scripts: what they all need before Qt starts.

# A root shell outside a desktop session has no runtime directory; Qt wants a
# private one.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d /tmp/rods-runtime.XXXXXX)
  export XDG_RUNTIME_DIR
fi
