"""Skin generator package: layouts, drawing and the data files of every skinned window."""
