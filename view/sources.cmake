# Files of the graph view; each part of the view adds its own.
