// Placeholder translation unit until the first output module lands.
