/* The floor for batch compression: decode and re-encode JPEG files with the plain libjpeg API on
 * a fixed number of threads, one file per thread at a time, quality 75, output into a folder.
 * Usage: jpeg_floor THREADS QUALITY OUTDIR FILE... */
#include <stdio.h>  /* before jpeglib.h, which uses FILE and size_t */
#include <stdlib.h>
#include <string.h>

#include <jpeglib.h>
#include <pthread.h>

static char** files;
static int file_count;
static int next_file;
static int quality;
static const char* out_dir;
static pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;

static unsigned char* read_file(const char* path, unsigned long* size) {
  FILE* f = fopen(path, "rb");
  if (!f) return NULL;
  fseek(f, 0, SEEK_END);
  long n = ftell(f);
  fseek(f, 0, SEEK_SET);
  unsigned char* data = malloc((size_t)n);
  if (data && fread(data, 1, (size_t)n, f) != (size_t)n) {
    free(data);
    data = NULL;
  }
  fclose(f);
  *size = (unsigned long)n;
  return data;
}

static void convert(const char* path) {
  unsigned long size = 0;
  unsigned char* data = read_file(path, &size);
  if (!data) {
    fprintf(stderr, "cannot read %s\n", path);
    return;
  }
  struct jpeg_decompress_struct d;
  struct jpeg_error_mgr err;
  d.err = jpeg_std_error(&err);
  jpeg_create_decompress(&d);
  jpeg_mem_src(&d, data, size);
  jpeg_read_header(&d, TRUE);
  d.out_color_space = JCS_RGB;
  jpeg_start_decompress(&d);
  size_t stride = (size_t)d.output_width * 3;
  unsigned char* pixels = malloc(stride * d.output_height);
  while (d.output_scanline < d.output_height) {
    JSAMPROW row = pixels + stride * d.output_scanline;
    jpeg_read_scanlines(&d, &row, 1);
  }
  jpeg_finish_decompress(&d);

  struct jpeg_compress_struct c;
  struct jpeg_error_mgr cerr;
  c.err = jpeg_std_error(&cerr);
  jpeg_create_compress(&c);
  unsigned char* out = NULL;
  unsigned long out_size = 0;
  jpeg_mem_dest(&c, &out, &out_size);
  c.image_width = d.output_width;
  c.image_height = d.output_height;
  c.input_components = 3;
  c.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, quality, TRUE);
  jpeg_start_compress(&c, TRUE);
  while (c.next_scanline < c.image_height) {
    JSAMPROW row = pixels + stride * c.next_scanline;
    jpeg_write_scanlines(&c, &row, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  jpeg_destroy_decompress(&d);

  const char* name = strrchr(path, '/');
  name = name ? name + 1 : path;
  char target[4096];
  snprintf(target, sizeof target, "%s/floor_%s", out_dir, name);
  FILE* f = fopen(target, "wb");
  if (f) {
    fwrite(out, 1, out_size, f);
    fclose(f);
  }
  free(out);
  free(pixels);
  free(data);
}

static void* worker(void* unused) {
  (void)unused;
  for (;;) {
    pthread_mutex_lock(&lock);
    int i = next_file++;
    pthread_mutex_unlock(&lock);
    if (i >= file_count) return NULL;
    convert(files[i]);
  }
}

int main(int argc, char** argv) {
  if (argc < 5) {
    fprintf(stderr, "usage: jpeg_floor THREADS QUALITY OUTDIR FILE...\n");
    return 2;
  }
  int threads = atoi(argv[1]);
  quality = atoi(argv[2]);
  out_dir = argv[3];
  files = argv + 4;
  file_count = argc - 4;
  pthread_t ids[64];
  if (threads < 1) threads = 1;
  if (threads > 64) threads = 64;
  for (int t = 0; t < threads; ++t) pthread_create(&ids[t], NULL, worker, NULL);
  for (int t = 0; t < threads; ++t) pthread_join(ids[t], NULL);
  return 0;
}
