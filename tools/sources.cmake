# Files of the pointer tools.
