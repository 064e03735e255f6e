"""Procedural art of the installer window: skin, buttons, check strip, cursor and icon."""
