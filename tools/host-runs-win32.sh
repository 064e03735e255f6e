#!/bin/sh
# Succeeds when this host can run 32-bit Windows programs under Wine (wine32 installed and the
# kernel's 32-bit emulation on); some virtual machines run 64-bit user code only.
[ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
