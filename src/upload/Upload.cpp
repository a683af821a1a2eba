// Placeholder translation unit until the upload module lands.
