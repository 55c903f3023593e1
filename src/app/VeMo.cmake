# The windowed program; filled in by the start-up code.
