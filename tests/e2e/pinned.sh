# Sourced by the scripts that start the real window on a virtual display: pins what its
# look depends on (the fonts of fonts-dejavu-core only, 96 dpi, Qt's Fusion style) and
# turns its accessibility tree on, with nothing of the caller's desktop left over.
unset DISPLAY XAUTHORITY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR
export FONTCONFIG_FILE="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/fonts.conf" QT_FONT_DPI=96
export QT_STYLE_OVERRIDE=Fusion QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
